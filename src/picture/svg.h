// The SVG picture of a two-variable model: plain SVG text, drawn from the
// model's geometry.
#pragma once

#include <string>
#include <vector>

#include "picture/geometry.h"
#include "simplex/steps.h"
#include "store/store.h"

namespace zep::detail {

// A number as the picture prints it: exact where that is short (an
// integer, a decimal of up to three places, a fraction of up to seven
// characters), else rounded to three places.
std::string picture_number(const mpq_class& q);

// The SVG document of the geometry.
std::string svg_picture(const Geometry& g);

// The picture of the solved model in the store, whose run took the given
// steps; empty, with the reason in why_not, where the model does not have
// exactly two variables.
std::string model_picture(const Store& s, const std::vector<Step>& steps, std::string& why_not);

} // namespace zep::detail
