// Numeric resource ids of the Windows library, one range per owner. Dialog
// templates are named resources ("Products", "Add Product", "Style",
// "Options", ...); the control ids inside them are the ones each dialog's
// layout fixes, so ids repeat across dialogs but never within one.
#ifndef MERVANE_RESOURCES_RESOURCE_IDS_H_
#define MERVANE_RESOURCES_RESOURCE_IDS_H_

// Pictures and cursors: 100-199 and 1000.
#define IDB_TOOLBAR 1000

// The property sheet: 12300-12399.

// The Products page and the product dialog: the ids of their layouts.

// The Options page and its editors: 20000-20999 where the layout gives none.
#define IDC_OPTIONS_PROCESSOR 20001
#define IDC_OPTIONS_EDIT 20002
#define IDC_OPTIONS_URL 20003
#define IDC_OPTIONS_IMAGE 20004
#define IDC_OPTIONS_IMAGE_TOOLTIP 20005
#define IDC_OPTIONS_SEARCH 20006
#define IDC_OPTIONS_CATEGORY_FILTER 20007
#define IDC_SCRIPT_TEXT 20010
#define IDC_SCRIPT_GRIP 20011
#define IDC_FIELDS_LIST 20020
#define IDC_FIELDS_ADD 20021
#define IDC_FIELDS_EDIT 20022
#define IDC_FIELDS_REMOVE 20023
#define IDC_FIELD_NAME 20030
#define IDC_FIELD_VALUE 20031

// The Style page: 1001 and 21000-21999.

#endif  // MERVANE_RESOURCES_RESOURCE_IDS_H_
