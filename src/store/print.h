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
// or g, and the conversion character.
struct Directive {
    bool left = false;
    char conv = 0;
    short width = 0;
    short precision = -1; // -1 where none is given
};

// The conversions of one format: where each starts, its directive and where
// the text after it starts; and where the format ends. Offsets, so that a
// plan made while compiling holds no pointers.
struct Plan {
    static constexpr int max_steps = 8;
    enum class Kind : char { planned, library, unknown };
    struct Step {
        unsigned short start;
        unsigned short next;
        Directive directive;
    };
    Step steps[max_steps] = {};
    unsigned short n = 0;
    unsigned short end = 0; // the format's terminator
    Kind kind = Kind::unknown;
};

// A width or precision from fmt at i, or -1 past limit.
constexpr short digits(const char* fmt, int& i, int limit) {
    int v = 0;
    while (fmt[i] >= '0' && fmt[i] <= '9') {
        v = v * 10 + (fmt[i++] - '0');
        if (v > limit) return -1;
    }
    return static_cast<short>(v);
}

// Reads the conversion after the "%" before i; false for one left to the C
// library. Leaves i after the conversion.
constexpr bool parseDirective(const char* fmt, int& i, Directive& directive) {
    while (fmt[i] == '-') {
        directive.left = true;
        i++;
    }
    if (fmt[i] == '0') return false; // the zero-padding flag
    directive.width = digits(fmt, i, max_width);
    if (directive.width < 0) return false;
    if (fmt[i] == '.') {
        i++;
        directive.precision = digits(fmt, i, max_precision);
        if (directive.precision < 0) return false;
    }
    bool long_arg = fmt[i] == 'l';
    if (long_arg) i++;
    directive.conv = fmt[i++];
    switch (directive.conv) {
    case 'f':
    case 'g':
        return true;
    case 'd':
        return !long_arg && directive.precision < 0;
    case 's':
    case 'c':
        return !long_arg;
    case '%':
        return !long_arg && !directive.left && directive.width == 0 && directive.precision < 0;
    default:
        return false;
    }
}

// The plan of fmt; of kind library when a conversion is left to the C
// library, or there are more than a plan holds.
constexpr Plan planFormat(const char* fmt) {
    Plan plan;
    plan.kind = Plan::Kind::library;
    int i = 0;
    while (fmt[i] != '\0') {
        if (i > 60000) return plan;
        if (fmt[i] != '%') {
            i++;
            continue;
        }
        if (plan.n == Plan::max_steps) return plan;
        Plan::Step& step = plan.steps[plan.n++];
        step.start = static_cast<unsigned short>(i);
        i++;
        if (!parseDirective(fmt, i, step.directive)) return plan;
        step.next = static_cast<unsigned short>(i);
    }
    plan.end = static_cast<unsigned short>(i);
    plan.kind = Plan::Kind::planned;
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
// checked while compiling; a pointer is planned when first printed.
template <class... Args> struct Format {
    template <std::size_t N> consteval Format(const char (&literal)[N]) : text(literal) {
        plan = planFormat(literal);
        if (plan.kind != Plan::Kind::planned) return;
        constexpr std::array<const char*, sizeof...(Args)> takes = {conversionsOf<Args>()...};
        std::size_t arg = 0;
        for (int i = 0; i < plan.n; i++) {
            char conv = plan.steps[i].directive.conv;
            if (conv == '%') continue;
            if (arg == takes.size() || !among(conv, takes[arg++])) format_and_arguments_disagree();
        }
        if (arg != takes.size()) format_and_arguments_disagree();
    }
    template <class P>
    requires std::is_pointer_v<P> Format(const P& pointer) : text(pointer) {}

    const char* text;
    Plan plan;
};

template <class... Args> using FormatOf = Format<std::decay_t<Args>...>;

// The plan of a format given by pointer, or nullptr where the C library
// prints it.
const Plan* planOf(const char* fmt);
int libraryPrint(std::FILE* out, const char* fmt, ...);
int libraryCompose(char* out, std::size_t cap, const char* fmt, ...);
void printPlanned(std::FILE* out, const char* fmt, const Plan& plan, const Arg* args);
int composePlanned(char* out, std::size_t cap, const char* fmt, const Plan& plan, const Arg* args);

// The plan a print follows, or nullptr for the C library.
template <class... Args> const Plan* planFor(const Format<Args...>& fmt) {
    if (fmt.plan.kind == Plan::Kind::planned) return &fmt.plan;
    if (fmt.plan.kind == Plan::Kind::library) return nullptr;
    return planOf(fmt.text);
}

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
    const printing::Arg list[sizeof...(Args) + 1] = {printing::argOf(args)...};
    if (const printing::Plan* plan = printing::planFor(fmt))
        printing::printPlanned(s.out, fmt.text, *plan, list);
    else
        printing::libraryPrint(s.out, fmt.text, printing::cArg(args)...);
}

// Composes into out as snprintf does: at most cap - 1 characters and a
// terminator; returns the length of the whole text.
template <class... Args>
int compose(char* out, std::size_t cap, printing::FormatOf<Args...> fmt, const Args&... args) {
    const printing::Arg list[sizeof...(Args) + 1] = {printing::argOf(args)...};
    if (const printing::Plan* plan = printing::planFor(fmt))
        return printing::composePlanned(out, cap, fmt.text, *plan, list);
    return printing::libraryCompose(out, cap, fmt.text, printing::cArg(args)...);
}

} // namespace zep::detail
