// The game binary takes no options: everything it needs is in its data
// folder and the per-user folder.
#include "app/startup.h"

int main() { return runtidewrack(); }
