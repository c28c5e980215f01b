#pragma once

// The button and icon codes of a message box: an OK button only, with the
// information or the critical icon.
enum class MsgBoxStyle { Critical = 16, Information = 64 };
