// Numeric resource ids of the Windows library, one range per owner. Dialog
// templates are named resources ("Products", "Add Product", "Style",
// "Options", ...); the control ids inside them are the ones each dialog's
// layout fixes, so ids repeat across dialogs but never within one.
#ifndef MERVANE_RESOURCES_RESOURCE_IDS_H_
#define MERVANE_RESOURCES_RESOURCE_IDS_H_

// Pictures and cursors: 100-199 and 1000.
#define IDB_TOOLBAR 1000

// The property sheet: 12300-12399, and the credit link's hand cursor.
#define IDC_CREDIT_LINK 12346
#define IDR_HAND_CURSOR 145

// The Products page and the product dialog: the ids of their layouts.
#define IDC_PRODUCT_LIST 5013
#define IDC_PRODUCT_ADD 1239
#define IDC_PRODUCT_EDIT 124
#define IDC_PRODUCT_CLONE 303
#define IDC_PRODUCT_REMOVE 1347
#define IDC_PRODUCT_MOVE_UP 291
#define IDC_PRODUCT_MOVE_DOWN 292
#define IDC_PRODUCT_NAME 5007
#define IDC_PRODUCT_SKU 5008
#define IDC_PRODUCT_DESCRIPTION 5009
#define IDC_PRODUCT_IMAGE 285
#define IDC_PRODUCT_BROWSE 128
#define IDC_PRODUCT_PRICE 5010
#define IDC_PRODUCT_CATEGORY 5013

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

// The Style page: 1001 and 21000-21999. Its template is dialog 31631.
#define IDD_STYLE_PAGE 31631
#define IDC_STYLE_GRID 1001

#endif  // MERVANE_RESOURCES_RESOURCE_IDS_H_
