#pragma once

#include <QString>

namespace fyn {

// The XDG base folders with their documented fallbacks: a variable that is unset, empty or
// relative counts as unset.
namespace XdgFolders {
QString configHome();
QString dataHome();
} // namespace XdgFolders

} // namespace fyn
