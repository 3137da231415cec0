#pragma once

#include <QString>
#include <map>

namespace fyn {

// The Slovak string table: every text of the interface by its id.
std::map<int, QString> slovakTexts();

} // namespace fyn
