#include "reports/title.h"

#include <cstring>

#include "store/print.h"

namespace zep::detail {

void ctitle(Store& s, const char* title, int width) {
    static constexpr char blanks[] = "                                        ";
    constexpr int most = sizeof blanks - 1;
    int blank = (width - static_cast<int>(std::strlen(title))) / 2;
    print(s, "\n");
    for (; blank > most; blank -= most) print(s, "%s", blanks);
    print(s, "%s%s\n\n", blanks + most - (blank > 0 ? blank : 0), title);
}

} // namespace zep::detail
