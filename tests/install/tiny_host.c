/* A host program as small as can be: built against the installed library
 * with pkg-config, it prints a study file as JSON. */
#include <flox03.h>
#include <stdio.h>

int main(int argc, char **argv) {
  char *json = 0;
  if (argc != 2) return 2;
  if (Flox03ExportJson(argv[1], &json) != FLOX_OK) {
    fprintf(stderr, "tiny_host: %s\n", Flox03LastError());
    return 1;
  }
  fputs(json, stdout);
  Flox03Free(json);
  return 0;
}
