// Numeric resource ids of the Windows library.
#ifndef MERVANE_RESOURCES_RESOURCE_IDS_H_
#define MERVANE_RESOURCES_RESOURCE_IDS_H_

#define IDB_TOOLBAR 1000

#endif  // MERVANE_RESOURCES_RESOURCE_IDS_H_
