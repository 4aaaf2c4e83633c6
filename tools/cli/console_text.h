#pragma once

// Text for a Windows console: the program's output is UTF-8, which a console shows in its own
// code page. Where standard output or standard error is a console, the text is handed to it as
// UTF-16 instead; piped or redirected output stays UTF-8 bytes. Elsewhere nothing changes.
namespace ConsoleText {
// Routes std::cout and std::cerr to the console as UTF-16 where they are one.
void useUtf8();
}
