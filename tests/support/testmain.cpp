#include "testregistry.h"

int main(int argc, char** argv)
{
    return TestSupport::runRegisteredTests(argc, argv) == 0 ? 0 : 1;
}
