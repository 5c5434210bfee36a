#ifndef PROGRAMVERSION_H
#define PROGRAMVERSION_H

// The application version: set on the application object at start-up, shown in the About dialog
// and, shortened, in the window titles.
inline constexpr char PROGRAM_VERSION[] = "2.1.1.0";

#endif // PROGRAMVERSION_H
