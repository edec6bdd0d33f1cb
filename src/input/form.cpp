#include "input/form.h"

#include <cstring>

#include "input/grammar.h"
#include "input/lp_format.h"
#include "input/matrix.h"
#include "input/mps.h"
#include "input/recognise.h"
#include "store/failure.h"
#include "store/print.h"

namespace zep::detail {

namespace {

// Telling the form reads ahead and goes back; a stream that cannot go back
// (a pipe) is first copied into a temporary file that can.
bool startPosition(Store& s, std::fpos_t& start) {
    if (std::fgetpos(s.luin, &start) == 0) return true;
    std::FILE* copy = std::tmpfile();
    if (!copy) return false;
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, s.luin)) > 0;)
        std::fwrite(block, 1, n, copy);
    std::rewind(copy);
    std::fclose(s.luin);
    s.luin = copy;
    return std::fgetpos(s.luin, &start) == 0;
}

} // namespace

ModelForm modelForm(Store& s) {
    std::fpos_t start;
    if (!startPosition(s, start))
        fail(s, ErrorKind::file, {}, format("Data file %s cannot be read\n", s.file_name).c_str(),
             format("%s cannot be read", s.file_name));
    std::optional<ModelForm> marked = markedForm(s);
    std::fsetpos(s.luin, &start);
    if (marked) return *marked;
    bool matrix = startsAsMatrix(s);
    std::fsetpos(s.luin, &start);
    return matrix ? ModelForm::matrix : ModelForm::algebraic;
}

void readOwnForm(Store& s, void (*reader)(Store&)) {
    try {
        reader(s);
    } catch (Failure& f) {
        if (f.kind != ErrorKind::input && f.kind != ErrorKind::matrix_input) throw;
        std::optional<ModelForm> form;
        if (std::fseek(s.luin, 0, SEEK_SET) == 0) form = markedForm(s);
        if (form)
            f.message =
                format("the file is in the %s, which %s does not read; zep-solve and "
                       "zep-convert read it",
                       *form == ModelForm::lp ? "CPLEX LP format" : "MPS format", s.diag.program);
        throw;
    }
}

void readModel(Store& s) {
    switch (modelForm(s)) {
    case ModelForm::matrix:
        generate2(s);
        return;
    case ModelForm::lp:
        readLpFormat(s);
        return;
    case ModelForm::mps:
        readMps(s);
        return;
    case ModelForm::algebraic:
        break;
    }
    generate3(s);
    // The echo copies the text exactly; a last line without its newline
    // still gets one, so that the announcement starts a line of its own.
    if (s.opt.echo && s.scan.errCol != 0) std::fputc('\n', s.out);
    print(s, "Processing %d variables and %d constraints from file %s\n", s.model.num_vars,
          s.model.num_cons, s.file_name);
}

} // namespace zep::detail
