// kavimo: the acquisition program a dentist starts.
#include "app/kavimoapp.h"

int main(int argc, char** argv) {
    CkavimoApp app;
    return app.Run(argc, argv);
}
