// The application's start on the platform the program is linked with. Apart
// from the rest of CWlanApp so that the tests, which start the application
// on a platform of their own, need no backend's StartPlatform.

#include "app/CWlanApp.h"

namespace quoril {

int CWlanApp::Run(int argc, char* argv[], CAdapter& adapter) {
  if (const auto handled = ParseCommandLine(argc, argv, options_)) return *handled;
  started_ = StartPlatform(options_.rest);
  if (!started_) return 2;
  const int status = Start(options_, *started_, adapter);
  // The toolkit goes while main still runs; the adapter shows nothing more.
  started_.reset();
  return status;
}

}  // namespace quoril
