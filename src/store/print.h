// Formatted output to the store's output stream, byte for byte what the C
// library's printf would write, without its cost: the conversions zep
// prints with (%d, %s, %c, %f and %g of doubles, with "-", width and
// precision) go through std::to_chars, whose digits are printf's
// correctly rounded ones; any other format is handed to the C library whole.
// A format written as a literal is parsed while compiling, and checked
// against the arguments' types there; a format given as a pointer is parsed
// once and its parse kept by its address, so such a format must be text
// that never changes while the program runs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <type_traits>

#include "store/store.h"

namespace zep::detail {

namespace printing {

// Longest precision and width taken here; fixed notation of the largest
// double with that precision fits the conversion buffer.
constexpr int max_precision = 40;
constexpr int max_width = 1000;

// One conversion: "%", optional "-", width, "." precision, "l" before f
// or g, and the conversion character; with where it starts in its format
// and where the text after it starts. Eight bytes, so that a plan made
// while compiling is laid out for a print in a few stores.
struct Step {
    unsigned short start = 0;
    unsigned short next = 0;
    short width = 0;            // negative where the field is left-aligned
    signed char precision = -1; // -1 where none is given
    char conv = 0;
};

// The conversions of one format, up to Most of them, and where the format
// ends; of kind library where the C library prints it.
enum class PlanKind : char { planned, library, unknown };
template <int Most> struct Plan {
    Step steps[Most > 0 ? Most : 1] = {};
    unsigned short n = 0;
    unsigned short end = 0; // the format's terminator
    PlanKind kind = PlanKind::unknown;
};

// A width or precision from fmt at i, or -1 past limit.
constexpr int digits(const char* fmt, int& i, int limit) {
    int v = 0;
    while (fmt[i] >= '0' && fmt[i] <= '9') {
        v = v * 10 + (fmt[i++] - '0');
        if (v > limit) return -1;
    }
    return v;
}

// Reads the conversion after the "%" before i; false for one left to the C
// library. Leaves i after the conversion.
constexpr bool parseStep(const char* fmt, int& i, Step& step) {
    bool left = false;
    while (fmt[i] == '-') {
        left = true;
        i++;
    }
    if (fmt[i] == '0') return false; // the zero-padding flag
    int width = digits(fmt, i, max_width);
    if (width < 0) return false;
    step.width = static_cast<short>(left ? -width : width);
    if (fmt[i] == '.') {
        i++;
        int precision = digits(fmt, i, max_precision);
        if (precision < 0) return false;
        step.precision = static_cast<signed char>(precision);
    }
    bool long_arg = fmt[i] == 'l';
    if (long_arg) i++;
    step.conv = fmt[i++];
    switch (step.conv) {
    case 'f':
    case 'g':
        return true;
    case 'd':
        return !long_arg && step.precision < 0;
    case 's':
    case 'c':
        return !long_arg;
    case '%':
        return !long_arg && !left && width == 0 && step.precision < 0;
    default:
        return false;
    }
}

// The plan of fmt; of kind library when a conversion is left to the C
// library, or there are more than the plan holds.
template <int Most> constexpr Plan<Most> planFormat(const char* fmt) {
    Plan<Most> plan;
    plan.kind = PlanKind::library;
    int i = 0;
    while (fmt[i] != '\0') {
        if (i > 60000) return plan;
        if (fmt[i] != '%') {
            i++;
            continue;
        }
        if (plan.n == Most) return plan;
        Step& step = plan.steps[plan.n++];
        step.start = static_cast<unsigned short>(i);
        i++;
        if (!parseStep(fmt, i, step)) return plan;
        step.next = static_cast<unsigned short>(i);
    }
    plan.end = static_cast<unsigned short>(i);
    plan.kind = PlanKind::planned;
    return plan;
}

// One argument, as the conversion that takes it reads it.
union Arg {
    long i;
    double d;
    const char* s;
};

template <class T> Arg argOf(const T& v) {
    Arg a;
    if constexpr (std::is_floating_point_v<T>)
        a.d = static_cast<double>(v);
    else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>)
        a.i = static_cast<long>(v);
    else
        a.s = v;
    return a;
}

// What the C library takes in place of an argument.
template <class T> auto cArg(const T& v) {
    if constexpr (std::is_array_v<T>)
        return static_cast<const char*>(v);
    else
        return v;
}

// The conversion characters an argument of type T may go to.
template <class T> constexpr const char* conversionsOf() {
    if constexpr (std::is_floating_point_v<T>)
        return "fg";
    else if constexpr ((std::is_integral_v<T> || std::is_enum_v<T>)&&sizeof(T) <= sizeof(int))
        return "dc";
    else if constexpr (std::is_convertible_v<const T&, const char*>)
        return "s";
    else
        return "";
}

// Called only where a literal format and its arguments disagree, which
// makes the call not a constant expression: the compiler stops there.
inline void format_and_arguments_disagree() {}

constexpr bool among(char c, const char* set) {
    for (; *set; set++)
        if (*set == c) return true;
    return false;
}

// A format with the types of its arguments: a literal is planned and
// checked while compiling (a plan holds a step for each argument, so one
// with "%%" goes to the C library); a pointer is planned when first
// printed.
template <class... Args> struct Format {
    static constexpr int arity = static_cast<int>(sizeof...(Args));

    template <std::size_t N> consteval Format(const char (&literal)[N]) : text(literal) {
        plan = planFormat<arity>(literal);
        if (plan.kind != PlanKind::planned) return;
        constexpr std::array<const char*, sizeof...(Args)> takes = {conversionsOf<Args>()...};
        for (int i = 0; i < plan.n; i++)
            if (!among(plan.steps[i].conv, takes[static_cast<std::size_t>(i)]))
                format_and_arguments_disagree();
        if (plan.n != arity) format_and_arguments_disagree();
    }
    template <class P>
    requires std::is_pointer_v<P> Format(const P& pointer) : text(pointer) {}

    const char* text;
    Plan<arity> plan;
};

template <class... Args> using FormatOf = Format<std::decay_t<Args>...>;

// The most conversions a format given by pointer may have planned.
constexpr int kept_steps = 8;
using KeptPlan = Plan<kept_steps>;

// The plan of a format given by pointer, or nullptr where the C library
// prints it.
const KeptPlan* planOf(const char* fmt);
int libraryPrint(std::FILE* out, const char* fmt, ...);
int libraryCompose(char* out, std::size_t cap, const char* fmt, ...);
void printPlanned(std::FILE* out, const char* fmt, const Step* steps, int n, int end,
                  const Arg* args);
int composePlanned(char* out, std::size_t cap, const char* fmt, const Step* steps, int n, int end,
                   const Arg* args);

} // namespace printing

// Formats joined while compiling, so that a line whose fields have formats
// of their own still prints in one call.
template <std::size_t... N> struct JoinedFormat { char text[(N + ...) - sizeof...(N) + 1]; };

template <std::size_t... N> consteval JoinedFormat<N...> join(const char (&... parts)[N]) {
    JoinedFormat<N...> joined{};
    std::size_t at = 0;
    for (const char* part : {static_cast<const char*>(parts)...})
        while (*part) joined.text[at++] = *part++;
    return joined;
}

// Writes the formatted text to s.out, as fprintf(s.out, fmt, ...) does.
template <class... Args>
void print(Store& s, printing::FormatOf<Args...> fmt, const Args&... args) {
    using namespace printing;
    const Arg list[sizeof...(Args) + 1] = {argOf(args)...};
    if (fmt.plan.kind == PlanKind::planned)
        printPlanned(s.out, fmt.text, fmt.plan.steps, fmt.plan.n, fmt.plan.end, list);
    else if (const KeptPlan* kept = fmt.plan.kind == PlanKind::unknown ? planOf(fmt.text) : nullptr)
        printPlanned(s.out, fmt.text, kept->steps, kept->n, kept->end, list);
    else
        libraryPrint(s.out, fmt.text, cArg(args)...);
}

// Composes into out as snprintf does: at most cap - 1 characters and a
// terminator; returns the length of the whole text.
template <class... Args>
int compose(char* out, std::size_t cap, printing::FormatOf<Args...> fmt, const Args&... args) {
    using namespace printing;
    const Arg list[sizeof...(Args) + 1] = {argOf(args)...};
    if (fmt.plan.kind == PlanKind::planned)
        return composePlanned(out, cap, fmt.text, fmt.plan.steps, fmt.plan.n, fmt.plan.end, list);
    if (const KeptPlan* kept = fmt.plan.kind == PlanKind::unknown ? planOf(fmt.text) : nullptr)
        return composePlanned(out, cap, fmt.text, kept->steps, kept->n, kept->end, list);
    return libraryCompose(out, cap, fmt.text, cArg(args)...);
}

} // namespace zep::detail
