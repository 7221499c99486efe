// Report: the report library. Its window and export arrive with the report work; until then it
// only proves that the library builds and loads beside the program.
#include "datastore/data_files.h"
