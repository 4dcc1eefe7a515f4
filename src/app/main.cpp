// The program. The application object and the card access are the only
// objects that live for the whole run; they are defined here together so
// that theApp is constructed first and destroyed last.

#include "adapter/CAdapter.h"
#include "app/CWlanApp.h"

quoril::CWlanApp theApp;
quoril::CAdapter theAdapter;

int main(int argc, char* argv[]) {
  return theApp.Run(argc, argv, theAdapter);
}
