#pragma once

// The objects behind the platform's windows and controls on a page: elements of the page's
// document, and the page itself, named here for the public headers.
namespace platform::web {
class Element;
class Page;
}  // namespace platform::web

namespace platform::native {
using Toolkit = web::Page;
using Widget = web::Element;
using List = web::Element;
}  // namespace platform::native
