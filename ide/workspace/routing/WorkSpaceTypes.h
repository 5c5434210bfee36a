#ifndef WORKSPACETYPES_H
#define WORKSPACETYPES_H

#include <QtGlobal>

// The small enumerations shared by the routing code. Values are fixed: commands and wrappers are
// compared by them, and 2 and 6 of TypeWorkSpaceWindow deliberately name nothing.

// What a command asks.
enum TypeCRUD : qint32 { CREATE = 0, READ = 1, UPDATE = 2, DELETE = 3 };

// The kind of element and of editor page a command or a wrapper is about.
enum TypeWorkSpaceWindow : qint32 {
    CLASS_WINDOW = 0,
    PARAMETER_WINDOW = 1,
    RELATION_WINDOW = 3,
    RULE_WINDOW = 4,
    TEST_CLASS_WINDOW = 5,
    NONE_WINDOW = 7
};

// Every kind that has an editor page, and so a creator: the table of kinds (KindTable) must hold
// a row for each, or the program does not start.
inline constexpr TypeWorkSpaceWindow PAGE_KINDS[] = {
    CLASS_WINDOW, PARAMETER_WINDOW, RELATION_WINDOW, RULE_WINDOW, TEST_CLASS_WINDOW};

// The kind of area a wrapped widget is.
enum TypeWorkWindow : qint32 {
    PROJECT_TREE = 0,
    RELATIONSHIP_TREE = 1,
    ERROR_LIST = 2,
    CONSOLE = 3,
    WORKSPACE_TAB = 4
};

// The argument of a mediator's command().
enum CommandType : qint32 {
    SAVE_COMMAND = 0,
    SAVE_ALL_COMMAND = 1,
    REFRESH_COMMAND = 2,
    CLEAR_ERRORS_COMMAND = 3
};

#endif // WORKSPACETYPES_H
