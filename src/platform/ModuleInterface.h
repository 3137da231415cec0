#pragma once

#include <QtGlobal>

namespace fyn {

// The program and its private modules meet at plain C entries found by name, which no linker
// checks. A package upgrade replaces the modules under a running program, which loads them
// late, so each module says which set of entries it was built for, and PrivateModule refuses
// one that says another. Raise the number whenever an entry is added, removed or changes its
// signature, or a type that crosses it changes its layout.
inline constexpr int kModuleInterfaceVersion = 2;

} // namespace fyn

// Every module's answer, from ModuleInterface.cpp, which each module is built with.
extern "C" Q_DECL_EXPORT int fynModuleInterfaceVersion();
