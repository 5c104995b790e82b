// The wayloom executable.
#include "ui/application.h"

int main(int argc, char** argv) { return wayloom::RunWayloom(argc, argv); }
