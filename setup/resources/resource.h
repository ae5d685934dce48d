// Resource ids of Setup: its icon, its dialog and the dialog's controls.
#pragma once

#define IDI_SETUP 128
#define IDD_SETUP 102

#define IDC_SETUP_INSTALL 1000
#define IDC_SETUP_EXIT 1002
#define IDC_SETUP_FOLDER 1003
#define IDC_SETUP_BROWSE 1004
#define IDC_SETUP_DESKTOP 1005
#define IDC_SETUP_SENDTO 1008
