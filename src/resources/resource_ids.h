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

// The Style page: 1001 and 21000-21999.

#endif  // MERVANE_RESOURCES_RESOURCE_IDS_H_
