// The store of the unit-test binary: an application script that does
// nothing (the tests evaluate what they need themselves).
#include "store.h"

const Et_StoreEntry Et_Store[] = {
    {"Norvane", Et_StoreApp, ""},
};
const int Et_StoreCount = 1;
