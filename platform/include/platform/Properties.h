#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

// A colour as 0xAARRGGBB, where alpha 0 is opaque.
struct Color {
  std::uint32_t argb = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

enum class FontUnit : std::uint8_t { Default = 0 };

// The value of one design property. Its type is part of the value, so that applying it to an
// object whose property has another type is caught as an error instead of misread.
class PropertyValue {
 public:
  using Storage = std::variant<std::int64_t, bool, std::string, Color, float, FontUnit>;

  PropertyValue(int value) : value_(std::int64_t{value}) {}
  PropertyValue(long value) : value_(std::int64_t{value}) {}
  PropertyValue(long long value) : value_(std::int64_t{value}) {}
  PropertyValue(bool value) : value_(value) {}
  PropertyValue(const char* value) : value_(std::string(value)) {}
  PropertyValue(std::string value) : value_(std::move(value)) {}
  PropertyValue(Color value) : value_(value) {}
  PropertyValue(float value) : value_(value) {}
  PropertyValue(FontUnit value) : value_(value) {}

  const Storage& Get() const { return value_; }

 private:
  Storage value_;
};

struct Property {
  std::string name;
  PropertyValue value;
};

// The design values of one object, applied to it in one step when it is constructed.
using PropertyList = std::vector<Property>;

}  // namespace platform
