#pragma once

#include <QString>

// The version of Rondoplan: one number for both programs, the "Info" window and the package,
// taken from the project version in the top CMakeLists.txt when this library is built.
[[nodiscard]] QString ProgrammaVersie();
