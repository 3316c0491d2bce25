// The application's compiled-in bitmaps and icons (":/bitmap/<number>.png",
// ":/icon/<number>.png", named by their resource numbers).
#pragma once

// Makes sure the resources are registered (they live in a static library); cheap to repeat.
void InitAppResources();
