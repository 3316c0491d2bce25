// kavimo: the acquisition program a dentist starts.
#include "app/kavimoapp.h"
#include "platform/memory.h"

int main(int argc, char** argv) {
    platform::KeepHeapsFew();
    CkavimoApp app;
    return app.Run(argc, argv);
}
