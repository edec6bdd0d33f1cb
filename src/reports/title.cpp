#include "reports/title.h"

#include <cstdio>
#include <cstring>

namespace zep::detail {

void ctitle(Store& s, const char* title, int width) {
    std::fprintf(s.out, "\n");
    int len = static_cast<int>(std::strlen(title));
    for (int i = 0; i < (width - len) / 2; i++) std::fputc(' ', s.out);
    std::fprintf(s.out, "%s\n\n", title);
}

} // namespace zep::detail
