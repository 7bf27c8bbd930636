#include "ScannerLibrary.h"

// Defined here so that the class's virtual table lives in one object file.
ScannerLibrary::~ScannerLibrary() = default;
