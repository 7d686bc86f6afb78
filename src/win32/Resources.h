#pragma once

// Resource numbers of vantrel.rc, shared with the code that loads them.

#define IDI_VANTREL 1
#define IDB_TREE 101
#define IDB_START 102
