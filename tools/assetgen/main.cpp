#include "assetlib.h"
int main(int argc, char** argv) { return al::runall(argc, argv); }
