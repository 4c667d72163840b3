// Control ids of the Picture window's panel and dialogs.
#ifndef CORVINATA_PICTURE_IDS_H
#define CORVINATA_PICTURE_IDS_H

#define IDC_PIC_LIST 20741
#define IDC_PIC_PACK_COUNT 20882
#define IDC_PIC_PACKS_BUTTON 20522
#define IDC_PIC_HINT 20881
#define IDC_PIC_SCALE_TO_FIT 20540

#endif
