// Names as the LP format and MPS write them, whole and in their own case,
// kept apart from the store: their texts are made when the first one is
// kept, so a store whose names all fit their printed forms holds a single
// null pointer per table, and all-zero bytes are an empty table (newStore
// relies on that).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace zep::detail {

template <int N> class WrittenNames {
  public:
    WrittenNames() = default;
    WrittenNames(const WrittenNames& other) : texts(copied(other)) {}
    WrittenNames& operator=(const WrittenNames& other) {
        if (this != &other) texts = copied(other);
        return *this;
    }
    WrittenNames(WrittenNames&&) noexcept = default;
    WrittenNames& operator=(WrittenNames&&) noexcept = default;
    ~WrittenNames() = default;

    // Name i as written; empty where none is kept.
    const char* operator[](int i) const { return texts ? (*texts)[i].c_str() : ""; }

    void set(int i, std::string_view name) {
        if (!texts) texts = std::make_unique<Texts>();
        (*texts)[i].assign(name);
    }

  private:
    using Texts = std::array<std::string, N>;
    static std::unique_ptr<Texts> copied(const WrittenNames& other) {
        return other.texts ? std::make_unique<Texts>(*other.texts) : nullptr;
    }
    std::unique_ptr<Texts> texts;
};

} // namespace zep::detail
