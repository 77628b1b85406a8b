#include "receipt/main000.h"

int main(int argc, char **argv)
{
    return Main(argc, argv);
}
