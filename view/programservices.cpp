#include "programservices.h"

ProgramServices& Program() {
  static ProgramServices services;
  return services;
}
