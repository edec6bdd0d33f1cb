#include "store/print.h"

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "store/double_text.h"

namespace zep::detail {

namespace printing {

namespace {

constexpr std::size_t number_size = 400;

__extension__ typedef unsigned __int128 wide;

// The plans of the formats given by pointer that were printed last, kept by
// address: parsing a format on every print costs more than its numbers.
// Four ways to a set, so that the formats of one line rarely push each
// other out; per thread, as solves run in parallel.
struct KeptWay {
    const char* fmt; // the format this plan is of, or nullptr for none yet
    KeptPlan plan;
};
struct PlanSet {
    KeptWay ways[4];
    unsigned next; // the way the next format taken in replaces
};
constexpr int set_bits = 5;
thread_local PlanSet kept[1 << set_bits];

// Collects the output: into a caller's buffer, cut at its capacity, or
// into a stream: straight into its buffer while that has room, as glibc's
// own putc_unlocked does, then through a local buffer.
class Sink {
  public:
    Sink(char* out, std::size_t cap) : terminated(cap > 0), dst(out), room(cap > 0 ? cap - 1 : 0) {}
    explicit Sink(FILE* stream) : file(stream), dst(local), room(sizeof local) {
#if defined(__GLIBC__)
        // A full buffer, or a line-buffered terminal's, has no room here.
        if (file->_IO_write_ptr < file->_IO_write_end) {
            in_stream = true;
            dst = file->_IO_write_ptr;
            room = static_cast<std::size_t>(file->_IO_write_end - file->_IO_write_ptr);
        }
#endif
    }

    // Inlined, as a print is a handful of these.
    [[gnu::always_inline]] void put(const char* text, std::size_t n) {
        total += n;
        if (n <= room - used) {
            copy(dst + used, text, n);
            used += n;
        } else {
            spill(text, n);
        }
    }

    [[gnu::always_inline]] void pad(std::size_t n) {
        static constexpr char blanks[] = "                                ";
        constexpr std::size_t most = sizeof blanks - 1;
        // Where the room allows, a whole run of blanks is stored and the
        // text after it goes over the rest.
        if (n <= most && room - used >= most) {
            std::memcpy(dst + used, blanks, most);
            used += n;
            total += n;
            return;
        }
        for (; n > most; n -= most) put(blanks, most);
        put(blanks, n);
    }

    // Writes a field of the given width, blank-padded on the left or right.
    [[gnu::always_inline]] void field(const Step& step, const char* text, std::size_t n) {
        bool left = step.width < 0;
        std::size_t width = static_cast<std::size_t>(left ? -step.width : step.width);
        std::size_t fill = n < width ? width - n : 0;
        if (fill > 0 && !left) pad(fill);
        put(text, n);
        if (fill > 0 && left) pad(fill);
    }

    int finish() {
        if (file)
            drain();
        else if (terminated)
            dst[used] = '\0';
        return static_cast<int>(total);
    }

  private:
    // Most pieces are a few characters, which a call to memcpy costs more
    // than copying: up to sixteen go as two fixed-size copies that overlap
    // in the middle, each inside the piece.
    static void copy(char* to, const char* text, std::size_t n) {
        if (n >= 8) {
            if (n > 16) {
                std::memcpy(to, text, n);
                return;
            }
            std::memcpy(to, text, 8);
            std::memcpy(to + n - 8, text + n - 8, 8);
        } else if (n >= 4) {
            std::memcpy(to, text, 4);
            std::memcpy(to + n - 4, text + n - 4, 4);
        } else if (n >= 2) {
            std::memcpy(to, text, 2);
            std::memcpy(to + n - 2, text + n - 2, 2);
        } else if (n == 1) {
            *to = *text;
        }
    }

    // A piece that does not fit the room left: as much as fits, then the
    // rest after draining, or cut where the output is a caller's buffer.
    void spill(const char* text, std::size_t n) {
        while (n > 0) {
            if (used == room && !drain()) return;
            std::size_t take = n < room - used ? n : room - used;
            copy(dst + used, text, take);
            used += take;
            text += take;
            n -= take;
        }
    }

    bool drain() {
        if (!file) return false;
#if defined(__GLIBC__)
        if (in_stream) {
            // The stream's buffer is full (or the print done): the rest
            // goes through the local buffer.
            file->_IO_write_ptr = dst + used;
            in_stream = false;
            dst = local;
            room = sizeof local;
            used = 0;
            return true;
        }
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
#if defined(__GLIBC__)
    bool in_stream = false; // dst is the stream's own buffer
#endif
    char* dst;
    std::size_t room;
    std::size_t used = 0;
    std::size_t total = 0;
    char local[512];
};

// "00" to "99", the digits of each number below 100.
constexpr struct DigitPairs {
    char text[200];
} digit_pairs = [] {
    DigitPairs pairs{};
    for (int i = 0; i < 100; i++) {
        pairs.text[2 * i] = static_cast<char>('0' + i / 10);
        pairs.text[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// scaled / 2^shift, 0 < shift < the width of T, rounded half to even.
template <class T> T roundedShift(T scaled, int shift) {
    T q = scaled >> shift;
    T rest = scaled - (q << shift);
    T half = T{1} << (shift - 1);
    if (rest > half || (rest == half && (q & 1))) q++;
    return q;
}

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
    // In 64 bits where the product fits them, as it does for the reports'
    // values; the same integers either way.
    std::uint64_t narrow;
    wide q = 0;
    if (shift == 0)
        q = static_cast<wide>(m) * powers[precision];
    else if (shift < 64 && !__builtin_mul_overflow(m, powers[precision], &narrow))
        q = roundedShift(narrow, shift);
    else if (shift < 127)
        q = roundedShift(static_cast<wide>(m) * powers[precision], shift);
    if (q >> 64) return nullptr;
    // Written from the end, two digits at a time: the decimals, the point,
    // then at least one digit before it (5 at three decimals is 0.005),
    // then the sign.
    auto d = static_cast<std::uint64_t>(q);
    char* p = last;
    int decimals = precision;
    for (; decimals >= 2; decimals -= 2, d /= 100) {
        p -= 2;
        std::memcpy(p, digit_pairs.text + 2 * (d % 100), 2);
    }
    if (decimals > 0) {
        *--p = static_cast<char>('0' + d % 10);
        d /= 10;
    }
    if (precision > 0) *--p = '.';
    for (; d >= 100; d /= 100) {
        p -= 2;
        std::memcpy(p, digit_pairs.text + 2 * (d % 100), 2);
    }
    if (d >= 10) {
        p -= 2;
        std::memcpy(p, digit_pairs.text + 2 * d, 2);
    } else {
        *--p = static_cast<char>('0' + d);
    }
    if (bits >> 63) *--p = '-';
    return p;
}

void number(Sink& sink, const Step& step, double v) {
    char text[number_size];
    int n;
    if (!std::isfinite(v)) {
        // Infinities and NaNs keep the C library's spelling.
        n = std::snprintf(text, sizeof text, step.conv == 'f' ? "%.*f" : "%.*g", step.precision, v);
    } else {
        int precision = step.precision < 0 ? 6 : step.precision;
        if (step.conv == 'f') {
            if (const char* start = smallFixed(text + sizeof text, v, precision)) {
                sink.field(step, start, static_cast<std::size_t>(text + sizeof text - start));
                return;
            }
        }
        char* end = text + sizeof text;
        if (step.conv == 'g')
            end = generalText(text, end, v, precision == 0 ? 1 : precision);
        else
            end = fixedText(text, end, v, precision);
        n = static_cast<int>(end - text);
    }
    sink.field(step, text, static_cast<std::size_t>(n));
}

// The length of text, at most limit; names are short, and counting them
// here costs less than a call.
std::size_t lengthOf(const char* text, int limit) {
    if (limit < 0 || limit > 64)
        return limit < 0 ? std::strlen(text) : strnlen(text, static_cast<std::size_t>(limit));
    std::size_t n = 0;
    while (n < static_cast<std::size_t>(limit) && text[n] != '\0') n++;
    return n;
}

// Writes one conversion; returns the arguments it took.
int convert(Sink& sink, const Step& step, const Arg* arg) {
    switch (step.conv) {
    case 'd': {
        char text[32]; // more than an int takes
        auto end = std::to_chars(text, text + sizeof text, static_cast<int>(arg->i)).ptr;
        sink.field(step, text, static_cast<std::size_t>(end - text));
        return 1;
    }
    case 'c': {
        char c = static_cast<char>(arg->i);
        sink.field(step, &c, 1);
        return 1;
    }
    case 's': {
        const char* text = arg->s;
        if (!text) text = step.precision < 0 || step.precision >= 6 ? "(null)" : "";
        sink.field(step, text, lengthOf(text, step.precision));
        return 1;
    }
    case '%':
        sink.put("%", 1);
        return 0;
    default:
        number(sink, step, arg->d);
        return 1;
    }
}

int format(Sink& sink, const char* fmt, const Step* steps, int n, int end, const Arg* args) {
    const char* p = fmt;
    for (const Step* step = steps; step != steps + n; step++) {
        sink.put(p, static_cast<std::size_t>(fmt + step->start - p));
        args += convert(sink, *step, args);
        p = fmt + step->next;
    }
    sink.put(p, static_cast<std::size_t>(fmt + end - p));
    return sink.finish();
}

} // namespace

const KeptPlan* planOf(const char* fmt) {
    // Fibonacci hashing: the top bits of the address times 2^64 / phi.
    std::uint64_t address = reinterpret_cast<std::uintptr_t>(fmt);
    PlanSet& set = kept[address * 0x9e3779b97f4a7c15u >> (64 - set_bits)];
    for (KeptWay& way : set.ways)
        if (way.fmt == fmt) return way.plan.kind == PlanKind::planned ? &way.plan : nullptr;
    KeptWay& way = set.ways[set.next++ % 4];
    way.plan = planFormat<kept_steps>(fmt);
    way.fmt = fmt;
    return way.plan.kind == PlanKind::planned ? &way.plan : nullptr;
}

void printPlanned(std::FILE* out, const char* fmt, const Step* steps, int n, int end,
                  const Arg* args) {
    Sink sink(out);
    format(sink, fmt, steps, n, end, args);
}

int composePlanned(char* out, std::size_t cap, const char* fmt, const Step* steps, int n, int end,
                   const Arg* args) {
    Sink sink(out, cap);
    return format(sink, fmt, steps, n, end, args);
}

int libraryPrint(std::FILE* out, const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    int n = std::vfprintf(out, fmt, ap);
    va_end(ap);
    return n;
}

int libraryCompose(char* out, std::size_t cap, const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    int n = std::vsnprintf(out, cap, fmt, ap);
    va_end(ap);
    return n;
}

} // namespace printing

} // namespace zep::detail
