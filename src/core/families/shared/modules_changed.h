#pragma once
// What follows the modules of a device when they change (the configurator's OK, an operating mode applied
// with REFRESH): the choices of other pages that name a module keep naming one that is there.

namespace tessalin {

// On the device as decoded from the image: a calculation block its modules no longer fit is switched off
// (and the device decoded again), the front's display and recorder choices move to variables the modules
// offer, and an attached Purgon controller's measuring module to a slot with a module it can use.
void KeepChoicesOnInstalledModules();

}  // namespace tessalin
