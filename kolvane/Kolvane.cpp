// Kolvane: the tariff library. Its entries arrive with the tariff work; until then it only
// proves that the library builds and loads beside the program.
#include "datastore/data_files.h"
