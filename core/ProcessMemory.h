#pragma once

namespace dovrix {

// Makes every allocation of 256 KiB or more a mapping of its own, handed back to the system when
// freed. Page images and their parts are such buffers; by default the C library raises that
// threshold after the first ones are freed and then keeps later ones in its heap, where freed
// images stay resident long after the render cache has let them go. Call once, early in main.
void returnLargeBuffersToTheSystem();

} // namespace dovrix
