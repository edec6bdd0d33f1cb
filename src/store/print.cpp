#include "store/print.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "store/double_text.h"

namespace zep::detail {

namespace {

// Longest precision taken here; fixed notation of the largest double with
// it fits the conversion buffer.
constexpr int max_precision = 40;
constexpr int max_width = 1000;
constexpr std::size_t number_size = 400;

__extension__ typedef unsigned __int128 wide;

// One conversion: "%", optional "-", width, "." precision, "l" before f
// or g, and the conversion character. Set whole by parseDirective, so that
// a plan of them costs nothing to lay out on every print.
struct Directive {
    bool left;
    char conv;
    short width;
    short precision; // -1 where none is given
};

// A width or precision, or -1 past limit (which fits a short).
short digits(const char*& p, int limit) {
    int v = 0;
    while (*p >= '0' && *p <= '9') {
        v = v * 10 + (*p++ - '0');
        if (v > limit) return -1;
    }
    return static_cast<short>(v);
}

// Reads the conversion after a "%"; returns the position after it, or
// nullptr for one left to the C library.
const char* parseDirective(const char* p, Directive& directive) {
    directive.left = false;
    directive.precision = -1;
    while (*p == '-') {
        directive.left = true;
        p++;
    }
    if (*p == '0') return nullptr; // the zero-padding flag
    directive.width = digits(p, max_width);
    if (directive.width < 0) return nullptr;
    if (*p == '.') {
        p++;
        directive.precision = digits(p, max_precision);
        if (directive.precision < 0) return nullptr;
    }
    bool long_arg = *p == 'l';
    if (long_arg) p++;
    directive.conv = *p;
    switch (directive.conv) {
    case 'f':
    case 'g':
        return p + 1;
    case 'd':
        return !long_arg && directive.precision < 0 ? p + 1 : nullptr;
    case 's':
    case 'c':
        return !long_arg ? p + 1 : nullptr;
    case '%':
        return !long_arg && !directive.left && directive.width == 0 && directive.precision < 0
                   ? p + 1
                   : nullptr;
    default:
        return nullptr;
    }
}

// The conversions of one format, parsed once: where each starts, its directive
// and where the text after it starts; and where the format ends.
struct Plan {
    static constexpr int max_steps = 8;
    struct Step {
        const char* start;
        const char* next;
        Directive directive;
    };
    Step steps[max_steps];
    int n;
    const char* end; // the format's terminator
};

// Parses every conversion of fmt into plan; false when one of them is left
// to the C library, or when there are more than a plan holds.
bool planFormat(const char* fmt, Plan& plan) {
    plan.n = 0;
    const char* p = fmt;
    while (*p != '\0') {
        if (*p != '%') {
            p++;
            continue;
        }
        if (plan.n == Plan::max_steps) return false;
        Plan::Step& step = plan.steps[plan.n++];
        step.start = p;
        p = parseDirective(p + 1, step.directive);
        if (!p) return false;
        step.next = p;
    }
    plan.end = p;
    return true;
}

// The plans of the formats printed last, kept by address: a report prints a
// few dozen formats some hundreds of times, and parsing each print again
// costs more than its numbers. Four ways to a set, so that the formats of
// one line rarely push each other out; per thread, as solves run in
// parallel.
struct KeptPlan {
    const char* fmt; // the format this plan is of, or nullptr for none yet
    bool planned;    // false where the format is left to the C library
    Plan plan;
};
struct PlanSet {
    KeptPlan ways[4];
    unsigned next; // the way the next format taken in replaces
};
constexpr int set_bits = 5;
thread_local PlanSet kept[1 << set_bits];

// The plan of fmt, or nullptr where the C library prints it.
const Plan* planOf(const char* fmt) {
    // Fibonacci hashing: the top bits of the address times 2^64 / phi.
    std::uint64_t address = reinterpret_cast<std::uintptr_t>(fmt);
    PlanSet& set = kept[address * 0x9e3779b97f4a7c15u >> (64 - set_bits)];
    for (KeptPlan& way : set.ways)
        if (way.fmt == fmt) return way.planned ? &way.plan : nullptr;
    KeptPlan& way = set.ways[set.next++ % 4];
    way.planned = planFormat(fmt, way.plan);
    way.fmt = fmt;
    return way.planned ? &way.plan : nullptr;
}

// Collects the output: into a caller's buffer, cut at its capacity, or
// through a local buffer into a stream.
class Sink {
  public:
    Sink(char* out, std::size_t cap) : terminated(cap > 0), dst(out), room(cap > 0 ? cap - 1 : 0) {}
    explicit Sink(FILE* stream) : file(stream), dst(local), room(sizeof local) {}

    void put(const char* text, std::size_t n) {
        total += n;
        while (n > 0) {
            if (used == room && !drain()) return;
            std::size_t take = n < room - used ? n : room - used;
            // Most pieces are a few characters, which a call to memcpy
            // costs more than copying: up to sixteen go as two fixed-size
            // copies that overlap in the middle, each inside the piece.
            char* to = dst + used;
            if (take >= 8 && take <= 16) {
                std::memcpy(to, text, 8);
                std::memcpy(to + take - 8, text + take - 8, 8);
            } else if (take >= 4 && take < 8) {
                std::memcpy(to, text, 4);
                std::memcpy(to + take - 4, text + take - 4, 4);
            } else if (take < 4) {
                for (std::size_t i = 0; i < take; i++) to[i] = text[i];
            } else {
                std::memcpy(to, text, take);
            }
            used += take;
            text += take;
            n -= take;
        }
    }

    void pad(std::size_t n) {
        static constexpr char blanks[] = "                                ";
        for (; n > sizeof blanks - 1; n -= sizeof blanks - 1) put(blanks, sizeof blanks - 1);
        put(blanks, n);
    }

    // Writes a field of the given width, blank-padded on the left or right.
    void field(const Directive& directive, const char* text, std::size_t n) {
        std::size_t width = static_cast<std::size_t>(directive.width);
        std::size_t fill = n < width ? width - n : 0;
        if (!directive.left) pad(fill);
        put(text, n);
        if (directive.left) pad(fill);
    }

    int finish() {
        if (file)
            drain();
        else if (terminated)
            dst[used] = '\0';
        return static_cast<int>(total);
    }

  private:
    bool drain() {
        if (!file) return false;
#if defined(__GLIBC__)
        // A report is some hundreds of short prints: where the stream's
        // buffer has room, the text goes straight into it, as glibc's own
        // putc_unlocked does; a full buffer, or a line-buffered terminal,
        // goes through fwrite.
        if (static_cast<std::size_t>(file->_IO_write_end - file->_IO_write_ptr) >= used) {
            file->_IO_write_ptr =
                static_cast<char*>(std::memcpy(file->_IO_write_ptr, dst, used)) + used;
            used = 0;
            return true;
        }
#endif
        // The stream is the store's own, used by one thread: no lock.
        fwrite_unlocked(dst, 1, used, file);
        used = 0;
        return true;
    }

    FILE* file = nullptr;
    bool terminated = false;
    char local[512];
    char* dst;
    std::size_t room;
    std::size_t used = 0;
    std::size_t total = 0;
};

// Fixed notation of |v| < 2^53 with at most 6 decimals, exactly: v is
// m * 2^-k, so v * 10^p is the integer m * 10^p shifted right by k, rounded
// half to even as printf rounds. Writes the text so that it ends at last
// and returns its start, or nullptr where this does not apply.
char* smallFixed(char* last, double v, int precision) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    int biased = static_cast<int>(bits >> 52 & 0x7ff);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased != 0) m |= std::uint64_t{1} << 52;
    int shift = 1075 - (biased != 0 ? biased : 1);
    if (shift < 0 || precision > 6) return nullptr;
    static constexpr std::uint64_t powers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    wide scaled = static_cast<wide>(m) * powers[precision];
    wide q = 0;
    if (shift == 0) {
        q = scaled;
    } else if (shift < 127) {
        q = scaled >> shift;
        wide rest = scaled - (q << shift);
        wide half = static_cast<wide>(1) << (shift - 1);
        if (rest > half || (rest == half && (q & 1))) q++;
    }
    if (q >> 64) return nullptr;
    // Written from the end: the decimals, the point, then at least one
    // digit before it (5 at three decimals is 0.005), then the sign.
    auto d = static_cast<std::uint64_t>(q);
    char* p = last;
    for (int i = 0; i < precision; i++, d /= 10) *--p = static_cast<char>('0' + d % 10);
    if (precision > 0) *--p = '.';
    do *--p = static_cast<char>('0' + d % 10);
    while ((d /= 10) != 0);
    if (bits >> 63) *--p = '-';
    return p;
}

void number(Sink& sink, const Directive& directive, double v) {
    char text[number_size];
    int n;
    if (!std::isfinite(v)) {
        // Infinities and NaNs keep the C library's spelling.
        n = std::snprintf(text, sizeof text, directive.conv == 'f' ? "%.*f" : "%.*g",
                          directive.precision, v);
    } else {
        int precision = directive.precision < 0 ? 6 : directive.precision;
        if (directive.conv == 'f') {
            if (const char* start = smallFixed(text + sizeof text, v, precision)) {
                sink.field(directive, start, static_cast<std::size_t>(text + sizeof text - start));
                return;
            }
        }
        char* end = text + sizeof text;
        if (directive.conv == 'g')
            end = generalText(text, end, v, precision == 0 ? 1 : precision);
        else
            end = fixedText(text, end, v, precision);
        n = static_cast<int>(end - text);
    }
    sink.field(directive, text, static_cast<std::size_t>(n));
}

void convert(Sink& sink, const Directive& directive, va_list& ap) {
    switch (directive.conv) {
    case 'd': {
        char text[16];
        auto end = std::to_chars(text, text + sizeof text, va_arg(ap, int)).ptr;
        sink.field(directive, text, static_cast<std::size_t>(end - text));
        break;
    }
    case 'c': {
        char c = static_cast<char>(va_arg(ap, int));
        sink.field(directive, &c, 1);
        break;
    }
    case 's': {
        const char* text = va_arg(ap, const char*);
        if (!text) text = directive.precision < 0 || directive.precision >= 6 ? "(null)" : "";
        std::size_t n = directive.precision < 0
                            ? std::strlen(text)
                            : strnlen(text, static_cast<std::size_t>(directive.precision));
        sink.field(directive, text, n);
        break;
    }
    case '%':
        sink.put("%", 1);
        break;
    default:
        number(sink, directive, va_arg(ap, double));
        break;
    }
}

int format(Sink& sink, const char* fmt, const Plan& plan, va_list& ap) {
    const char* p = fmt;
    for (int i = 0; i < plan.n; i++) {
        const Plan::Step& step = plan.steps[i];
        sink.put(p, static_cast<std::size_t>(step.start - p));
        convert(sink, step.directive, ap);
        p = step.next;
    }
    sink.put(p, static_cast<std::size_t>(plan.end - p));
    return sink.finish();
}

} // namespace

void print(Store& s, const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    if (const Plan* plan = planOf(fmt)) {
        Sink sink(s.out);
        format(sink, fmt, *plan, ap);
    } else {
        std::vfprintf(s.out, fmt, ap);
    }
    va_end(ap);
}

int vcompose(char* out, std::size_t cap, const char* fmt, va_list ap) {
    const Plan* plan = planOf(fmt);
    if (!plan) return std::vsnprintf(out, cap, fmt, ap);
    Sink sink(out, cap);
    va_list args;
    va_copy(args, ap);
    int n = format(sink, fmt, *plan, args);
    va_end(args);
    return n;
}

int compose(char* out, std::size_t cap, const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    int n = vcompose(out, cap, fmt, ap);
    va_end(ap);
    return n;
}

} // namespace zep::detail
