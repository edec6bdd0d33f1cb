// The copies of models that solves read. A solve runs without the
// interpreter lock, so another thread may change the Model meanwhile: it
// reads a copy made under the lock. A model solved again unchanged (a loop
// over one model, a batch on threads) reuses its last copy, found by the
// Model's address and compared whole, bit for bit, which costs a fraction
// of copying its rows. A copy no solve reads any more is overwritten in
// place by the next model, whose rows then mostly fit the storage it has.
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

#include "bindings.h"

namespace zep::python {

namespace {

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameNumbers(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

// Every field of the library's Model, in order: a field added there must be
// compared here too, which the sizes below make sure of.
struct ConstraintFields {
    std::string label;
    std::vector<double> coefficients;
    Relation relation;
    double rhs;
    bool flipped;
    double range;
};
struct NoteFields {
    NoteKind kind;
    int line;
    int column;
    std::string text;
};
struct ModelFields {
    Sense sense;
    std::string sense_word;
    std::string objective_label;
    std::vector<double> objective;
    double objective_constant;
    std::vector<std::string> variables;
    std::vector<double> lower;
    std::vector<double> upper;
    std::vector<Constraint> constraints;
    std::vector<Note> notes;
};
static_assert(sizeof(Constraint) == sizeof(ConstraintFields),
              "compare the new field of Constraint");
static_assert(sizeof(Note) == sizeof(NoteFields), "compare the new field of Note");
static_assert(sizeof(Model) == sizeof(ModelFields), "compare the new field of Model");

bool same(const Constraint& a, const Constraint& b) {
    return a.label == b.label && sameNumbers(a.coefficients, b.coefficients) &&
           a.relation == b.relation && sameBits(a.rhs, b.rhs) && a.flipped == b.flipped &&
           sameBits(a.range, b.range);
}

bool same(const Note& a, const Note& b) {
    return a.kind == b.kind && a.line == b.line && a.column == b.column && a.text == b.text;
}

bool same(const std::string& a, const std::string& b) {
    return a == b;
}

template <class T> bool sameList(const std::vector<T>& a, const std::vector<T>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); i++)
        if (!same(a[i], b[i])) return false;
    return true;
}

bool same(const Model& a, const Model& b) {
    return a.sense == b.sense && a.sense_word == b.sense_word &&
           a.objective_label == b.objective_label && sameNumbers(a.objective, b.objective) &&
           sameBits(a.objective_constant, b.objective_constant) &&
           sameList(a.variables, b.variables) && sameNumbers(a.lower, b.lower) &&
           sameNumbers(a.upper, b.upper) && sameList(a.constraints, b.constraints) &&
           sameList(a.notes, b.notes);
}

// The copies last made, by the address of the Model each is of; used and
// changed only under the interpreter lock. A copy stays alive while a solve
// reads it, however soon it is replaced here. Solves take and drop their
// shares of a copy under the lock too, so a count of one there means no
// solve reads it.
struct Kept {
    const Model* of = nullptr;
    std::shared_ptr<Model> copy;
};
std::array<Kept, 16> kept;

} // namespace

std::shared_ptr<const Model> unchangingCopy(const Model& model) {
    auto address = reinterpret_cast<std::uintptr_t>(&model);
    Kept& way = kept[(address * 0x9e3779b97f4a7c15u) >> 60];
    if (way.of != &model || !same(*way.copy, model)) {
        if (way.copy.use_count() == 1)
            *way.copy = model;
        else
            way.copy = std::make_shared<Model>(model);
        way.of = &model;
    }
    return way.copy;
}

} // namespace zep::python
