// Ids of the editor's resources: menus, dialogs, their controls, the icon and the menu commands.
// Plain #defines, because the resource compiler reads this file as well as C++.
#pragma once

// Menus, icon, dialogs.
#define IDI_QUILVANE 128
#define IDR_MAINMENU 129
#define IDD_MAIN 131
#define IDD_GOTO 102
#define IDD_EDITOR_OPTIONS 107
#define IDD_HOTKEYS 108
#define IDD_ABOUT 109
#define IDD_TOOLS 110
#define IDD_FIND 111
#define IDD_PROMPT 112
#define IDD_LANGUAGES_PAGE 133
#define IDD_COLORS_PAGE 134
#define IDD_SAVE_FORMAT 140

// Positions in the main menu that the shell replaces or copies at run time.
#define MENU_POS_FILE 0
#define MENU_POS_EDIT 1
#define MENU_POS_TOOLS 4
#define MENU_POS_FILE_RECENT 8

// Labels and group boxes that the code never addresses.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Children of the main window.
#define IDC_VIEW 104

// Editor Options.
#define IDC_REMOVE_TRAILING_WHITESPACE 1038
#define IDC_NEWLINE_CRLF 1040
#define IDC_NEWLINE_CR 1041
#define IDC_NEWLINE_LF 1042
// The Save As dialog's encoding and line-break lists.
#define IDC_SAVE_ENCODING 1150
#define IDC_SAVE_NEWLINE 1151
#define IDC_HIGHLIGHT_CARET_LINE 1152
#define IDC_AUTO_INDENT 1043
#define IDC_TAB_WIDTH 1044
#define IDC_MAX_RECENT_FILES 1045
#define IDC_TIME_DATE_FORMAT 1047
#define IDC_DEFAULT_EXTENTION 1049
#define IDC_TIME_DATE_PREVIEW 1051
#define IDC_SHOW_LINE_NUMBERS 1104
#define IDC_TAB_INSERTS_SPACES 1113
#define IDC_SHOW_WHITESPACE 1114

// Find and Replace.
#define IDC_WHOLE_WORD 1013
#define IDC_FIND_BUTTON 1076
#define IDC_REPLACE_BUTTON 1077
#define IDC_REPLACE_ALL_BUTTON 1078
#define IDC_FIND_TEXT 1079
#define IDC_REPLACE_TEXT 1080
#define IDC_MATCH_CASE 1082
#define IDC_ALLOW_ESCAPES 1083
#define IDC_CLOSE_ON_FIND 1084
#define IDC_SELECTION_ONLY 1085
#define IDC_REPLACE_LABEL 1086
#define IDC_SEARCH_UP 1087
// The lines that explain the escapes; they move with their check box.
#define IDC_ESCAPE_NOTE_NEWLINE 1088
#define IDC_ESCAPE_NOTE_TAB 1089
#define IDC_ESCAPE_NOTE_BACKSLASH 1090

// Goto Line.
#define IDC_GOTO_LABEL 1120
#define IDC_GOTO_LINE 1121

// Prompt (a tool's %Prompt: macro).
#define IDC_PROMPT_MESSAGE 1096
#define IDC_PROMPT_TEXT 1057
// Tools editor and Hotkeys editor (the list and the hotkey control are in both).
#define IDC_MENU_ITEMS 1052
#define IDC_HOTKEY 1054
#define IDC_TOOL_ADD 1060
#define IDC_TOOL_DELETE 1061
#define IDC_TOOL_MOVE_UP 1062
#define IDC_TOOL_MOVE_DOWN 1063
#define IDC_TOOL_COMMAND 1064
#define IDC_TOOL_ARGUMENTS 1065
#define IDC_TOOL_ARGUMENTS_PREVIEW 1066
#define IDC_TOOL_INIT_DIR 1067
#define IDC_TOOL_INIT_DIR_PREVIEW 1068
#define IDC_TOOL_EXTENSIONS 1070
#define IDC_TOOL_BROWSE 1071
#define IDC_TOOL_SAVE_FIRST 1072
#define IDC_TOOL_NAME 1075
#define IDC_TOOL_COMMAND_PREVIEW 1088
#define IDC_TOOL_HELP 1089
#define IDC_CHECK_MNEMONICS 1099
#define IDC_CHECK_HOTKEY 1102
#define IDC_TOOL_IS_FILTER 1115

// About box.
#define IDC_ABOUT_TEXT 1103

// Syntax Coloring: the Languages page (Whole Word shares IDC_WHOLE_WORD).
#define IDC_LANGUAGE_LIST 1002
#define IDC_ADD_LANGUAGE 1003
#define IDC_REMOVE_LANGUAGE 1004
#define IDC_ELEMENT_LIST 1006
#define IDC_ADD_ELEMENT 1007
#define IDC_REMOVE_ELEMENT 1008
#define IDC_TOKEN_KIND 1010
#define IDC_ELEMENT_KIND 1011
#define IDC_LANGUAGE_MATCH_CASE 1012
#define IDC_START_MARKER 1014
#define IDC_END_MARKER 1015
#define IDC_SPAN_LINES 1016
#define IDC_ALLOW_NESTING 1017
#define IDC_WORD_LIST 1018
#define IDC_LANGUAGE_EXTENSIONS 1031
#define IDC_LANGUAGE_NAME 1032
#define IDC_ESCAPE_CHAR 1091
#define IDC_ELEMENT_UP 1093
#define IDC_ELEMENT_DOWN 1094
// Its labels and group, which are enabled and hidden with their fields.
#define IDC_LANGUAGE_NAME_LABEL 1130
#define IDC_EXTENSIONS_LABEL 1131
#define IDC_ELEMENT_GROUP 1132
#define IDC_TOKEN_KIND_LABEL 1133
#define IDC_ELEMENT_KIND_LABEL 1134
#define IDC_START_MARKER_LABEL 1135
#define IDC_END_MARKER_LABEL 1136
#define IDC_ESCAPE_CHAR_LABEL 1137
#define IDC_WORD_LIST_LABEL 1138

// Syntax Coloring: the Colors page.
#define IDC_CHOOSE_COLOR 1027
#define IDC_COLOR_ITEM 1028
#define IDC_PREVIEW 1029
#define IDC_COLOR_SWATCH 1037
#define IDC_DELETE_SCHEME 1061
#define IDC_SCHEME_UP 1062
#define IDC_SCHEME_DOWN 1063
#define IDC_SYSTEM_SELECTION 1097
#define IDC_INVERT_SELECTION 1098
#define IDC_SCHEME_NAME 1105
#define IDC_SCHEME_LIST 1106
#define IDC_NEW_SCHEME 1107
#define IDC_SCHEME_NAME_LABEL 1108
#define IDC_COLOR_ITEM_LABEL 1109
#define IDC_COLOR_SWATCH_LABEL 1110
#define IDC_SELECTION_GROUP 1111
#define IDC_PREVIEW_GROUP 1112

// Menu commands. The stored hotkey table names commands by these numbers, so they never change.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 32773
#define ID_FILE_PRINT 57607
#define ID_FILE_RECENT_DUMMY 32809
#define ID_FILE_EXIT 32775
#define ID_EDIT_UNDO 57643
#define ID_EDIT_REDO 57644
#define ID_EDIT_CUT 57635
#define ID_EDIT_COPY 57634
#define ID_EDIT_PASTE 57637
#define ID_EDIT_DELETE 32782
#define ID_EDIT_SELECT_ALL 32783
#define ID_EDIT_LAST_CLIPBOARD 32812
#define ID_EDIT_SWITCH_CLIPBOARD 32795
#define ID_EDIT_INSERT_TIME_DATE 32794
#define ID_EDIT_LOWER_CASE 32803
#define ID_EDIT_UPPER_CASE 32804
#define ID_EDIT_TITLE_CASE 32805
#define ID_EDIT_TOGGLE_CASE 32810
#define ID_SEARCH_FIND 32784
#define ID_SEARCH_REPLACE 32786
#define ID_SEARCH_FIND_NEXT 32785
#define ID_SEARCH_FIND_PREVIOUS 32796
#define ID_SEARCH_GOTO_LINE 32793
#define ID_SEARCH_MATCH_BRACE 32813
#define ID_BOOKMARKS_TOGGLE 32788
#define ID_BOOKMARKS_NEXT 32789
#define ID_BOOKMARKS_PREVIOUS 32790
#define ID_BOOKMARKS_CLEAR_ALL 32791
#define ID_TOOLS_EDIT_TOOLS 32792
#define ID_OPTIONS_FONT 32800
#define ID_OPTIONS_EDITOR 32798
#define ID_OPTIONS_HOTKEYS 32799
#define ID_OPTIONS_SYNTAX_COLORING 32797
#define ID_OPTIONS_WORD_WRAP 32811
#define ID_OPTIONS_ZOOM_IN 32814
#define ID_OPTIONS_ZOOM_OUT 32815
#define ID_OPTIONS_ZOOM_RESET 32816
#define ID_HELP_CONTENTS 32801
#define ID_HELP_ABOUT 32802
// The platform's help command, which also opens the help file.
#define ID_HELP 57670

// Recent-file and tool items take their ids from here upward.
#define ID_DYNAMIC_FIRST 40000
