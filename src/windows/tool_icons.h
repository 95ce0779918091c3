#pragma once

#include <QIcon>

// The pictures of the tool buttons, drawn by the program itself.
namespace ToolIcons {

enum class Kind { Open, Save, Read, Write, Verify, Erase, Auto, Test, Exit, Stop };

QIcon icon(Kind kind);

}  // namespace ToolIcons
