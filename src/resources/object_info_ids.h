// Control ids of Object Info's window (its pages use the ids of their fields).
#ifndef CORVINATA_OBJECT_INFO_IDS_H
#define CORVINATA_OBJECT_INFO_IDS_H

#define IDC_INFO_OBJECT_NAME 20813
#define IDC_INFO_SELECT 20522
#define IDC_INFO_TABS 20999
// Posted to the window: refresh the page shown.
#define IDC_INFO_REFRESH 20847

#endif
