// The lookups of variable names and row labels by a Model against a plain
// scan of the names before each: the first name that another before it
// spells alike without case is refused, as given twice or as differing only
// in case. Random names from few letters, so that most models clash.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <strings.h>
#include <vector>

#include "zep/zep.h"

namespace {

std::string randomName(std::mt19937& rng) {
    static const char letters[] = "aAbB";
    std::string name(1 + rng() % 3, 'x');
    for (char& c : name) c = letters[rng() % 4];
    return name;
}

// The refusal of the first name in names that one before it spells alike
// without case, in the words the reader uses.
std::optional<std::string> firstClash(const std::vector<std::string>& names, std::size_t from,
                                      const char* what, const char* twice) {
    for (std::size_t k = from; k < names.size(); k++) {
        for (std::size_t i = 0; i < k; i++) {
            if (strcasecmp(names[i].c_str(), names[k].c_str()) != 0) continue;
            std::string place = std::string(what) + " " + std::to_string(k + 1 - from) + " of " +
                                std::to_string(names.size() - from) + ": ";
            if (names[i] == names[k]) return place + twice + " " + names[k] + " is given twice";
            return place + "the names " + names[i] + " and " + names[k] +
                   " differ only in case, which zep does not tell apart";
        }
    }
    return std::nullopt;
}

TEST(NameLookup, RefusesTheFirstClashAsAPlainScanFindsIt) {
    const unsigned seed = 2026;
    std::printf("seed %u\n", seed);
    std::mt19937 rng(seed);
    int refused = 0;
    for (int round = 0; round < 400; round++) {
        zep::Model m;
        std::size_t n = 1 + rng() % 12;
        for (std::size_t k = 0; k < n; k++) m.variables.push_back(randomName(rng));
        m.objective.assign(n, 0.0);
        m.objective_label = randomName(rng);
        // Row labels after the objective's, which they may clash with.
        std::vector<std::string> labels{m.objective_label};
        for (std::size_t r = 0, rows = rng() % 9; r < rows; r++) {
            labels.push_back(randomName(rng));
            m.constraints.push_back({labels.back(), std::vector<double>(n, 0.0)});
        }
        std::optional<std::string> expected = firstClash(m.variables, 0, "variable", "the name");
        if (!expected) expected = firstClash(labels, 1, "constraint", "the row label");
        try {
            zep::Answer a = zep::solve(m);
            EXPECT_FALSE(expected) << "round " << round << ": " << *expected;
            EXPECT_EQ(a.outcome, zep::Outcome::optimal) << "round " << round;
        } catch (const zep::Error& e) {
            refused++;
            ASSERT_TRUE(expected) << "round " << round << ": " << e.what();
            EXPECT_EQ(e.what(), *expected) << "round " << round;
        }
    }
    // Both kinds of models are drawn.
    EXPECT_GT(refused, 100);
    EXPECT_LT(refused, 390);
}

} // namespace
