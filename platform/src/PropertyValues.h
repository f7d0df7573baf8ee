#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <variant>

#include "platform/Exceptions.h"
#include "platform/Properties.h"

// Typed reading of design property values, shared by windows and controls.
namespace platform::detail {

template <class T>
const T& ValueOf(const Property& property) {
  if (const T* value = std::get_if<T>(&property.value.Get())) return *value;
  throw InvalidPropertyException("design property " + property.name +
                                 " has a value of the wrong type");
}

inline QString TextOf(const Property& property) {
  return QString::fromStdString(ValueOf<std::string>(property));
}

inline QColor ColorOf(const Property& property) {
  const auto argb = ValueOf<Color>(property).argb;
  // Alpha 0 is opaque in the design's encoding.
  return QColor(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
                static_cast<int>(argb & 0xFF), 255 - static_cast<int>(argb >> 24));
}

// Accepts only `expected`: for properties whose other values the platform does not support.
template <class T>
void Require(const Property& property, const T& expected) {
  if (ValueOf<T>(property) != expected) {
    throw InvalidPropertyException("design property " + property.name +
                                   " has a value that is not supported");
  }
}

}  // namespace platform::detail
