/* WinFlox03RDll: fill in, store, preview and print a Greek active
 * fire-protection study ("Δεδομένα Ενεργητικής Πυροπροστασίας").
 *
 * The public C interface of libWinFlox03RDll.so (WinFlox03RDll.dll on
 * Windows). Study types: 1 and 2 the
 * general study, 3 industries and crafts, 4 existing hotels (Flox03StudyTypes
 * lists them). Of the action
 * code and the study type only the low byte counts. */
#ifndef FLOX03_H
#define FLOX03_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* FLOX_API marks the exports: dllexport in the Windows DLL, default
 * visibility in the shared object, nothing for a host that includes this
 * header. */
#if defined(FLOX_BUILDING_LIBRARY) && defined(_WIN32)
#define FLOX_API __declspec(dllexport)
#elif defined(FLOX_BUILDING_LIBRARY)
#define FLOX_API __attribute__((visibility("default")))
#else
#define FLOX_API
#endif

/* FLOX_CALL is the calling convention of every export. On 32-bit Windows it
 * is the Windows API convention (__stdcall: arguments pushed right to left,
 * the callee removes them; Flox03A returns with "ret 20"), which a 32-bit
 * host uses for a plug-in's functions. Hosts written in Pascal-family
 * languages call with their register convention instead: the first three
 * arguments in EAX, EDX and ECX, the rest pushed left to right, the callee
 * removing them. The library built with FLOX_REGISTER_CONVENTION defined
 * (the CMake option of the same name) serves those hosts: GCC's regparm(3)
 * takes the first three from the registers, and FLOX_STACK_PAIR declares
 * the two stack arguments of Flox03A in the reverse order, so that the one
 * pushed first (action) is found where the caller left it. Elsewhere both
 * macros change nothing. */
#if defined(_WIN32) && !defined(_WIN64) && defined(FLOX_REGISTER_CONVENTION)
#define FLOX_CALL __attribute__((stdcall, regparm(3)))
#define FLOX_STACK_PAIR(first, second) second, first
#elif defined(_WIN32) && !defined(_WIN64)
#define FLOX_CALL __stdcall
#define FLOX_STACK_PAIR(first, second) first, second
#else
#define FLOX_CALL
#define FLOX_STACK_PAIR(first, second) first, second
#endif

/* One whole request on the study file fileName: apply the study type's
 * defaults, load the file (or create it when missing), then by action code
 * 1 edit it in the modal data-entry dialog and save it, 2 preview the whole
 * report, 3 print it; any other action only loads or creates the file.
 * hostWindow (an X11 window id or an HWND, or 0) owns every window the library opens.
 * reserved is never read. The result carries no meaning: failures of the
 * study file show their message box (error 001 or 002 with the reason) and
 * the call goes on as far as it sensibly can; afterwards Flox03LastStatus()
 * and Flox03LastError() tell the host how the call ended.
 * The study file stays locked from the load to the last save: a second call
 * (or import, in any process) on a study in use is refused at once with
 * FLOX_ERR_IN_USE and writes nothing; so is a study that cannot be opened at
 * all (not a regular file, no permission). Editing without a display fails
 * at once with FLOX_ERR_NO_DISPLAY. */
FLOX_API unsigned char FLOX_CALL Flox03A(uintptr_t hostWindow, const char *fileName, void *reserved,
                                         FLOX_STACK_PAIR(uint32_t action, uint32_t studyType));

/* Makes hostWindow the owner of the library's windows until the next Flox03A
 * call ends. */
FLOX_API void FLOX_CALL InitDll(uintptr_t hostWindow);

/* Status of Flox03A (through Flox03LastStatus) and of the calls below;
 * Flox03LastError() then gives a readable message. */
enum {
  FLOX_OK = 0,
  FLOX_ERR_ARGUMENT = 1, /* a null or empty argument, a study type Flox03StudyTypes does not list */
  FLOX_ERR_FILE = 2,     /* the study file (or output file) cannot be read or written */
  FLOX_ERR_JSON = 3,     /* the JSON text is not a study: syntax, slot, class or field */
  FLOX_ERR_ENCODING = 4, /* a character that code page 1253 cannot hold */
  FLOX_ERR_RENDER = 5,   /* the report could not be produced */
  FLOX_ERR_IN_USE = 6,   /* the study is open elsewhere: nothing was written */
  FLOX_ERR_NO_DISPLAY = 7 /* editing needs a display and there is none */
};

/* The study file as JSON (UTF-8): an array of 19 objects in slot order,
 * {"slot": 1, "class": "TFlox03Pg1Data", "fields": {"NameEpixirisi": "...", ...}},
 * every property listed. On success *json is set to a text the caller
 * releases with Flox03Free. No dialog or message box is shown. */
FLOX_API int FLOX_CALL Flox03ExportJson(const char *fileName, char **json);

/* Creates or updates the study file from JSON of the same form; any subset of
 * slots and fields may be given. A new file starts from the defaults of
 * studyType (0: none); an existing one from its own values. A value longer
 * than its field is cut as the study file would cut it; a character code
 * page 1253 cannot hold is an error naming slot and field, and then nothing
 * is written. So are a text larger than 4 MB, nesting deeper than a study
 * has, and a field or member given twice (also in another letter case).
 * The study file is locked from the load to the save. */
#define FLOX_MAX_JSON_BYTES (4u << 20) /* the largest JSON text taken, in bytes */
FLOX_API int FLOX_CALL Flox03ImportJson(const char *fileName, const char *json, uint32_t studyType);

/* Writes the whole study report of studyType for the study file as a PDF,
 * without any window. The study is loaded like Flox03A loads it (defaults,
 * then the file); a missing study file is not created. An output that is the
 * study file itself is refused with FLOX_ERR_ARGUMENT. */
FLOX_API int FLOX_CALL Flox03ExportPdf(const char *fileName, uint32_t studyType, const char *pdfFileName);

/* Lists every field of the study whose text the printed report of studyType
 * cuts: a data label shows only what fits its box on paper, so a long value
 * loses its last lines (or, on a one-line label, its end). The study is
 * loaded like Flox03ExportPdf loads it, and the report is filled exactly as
 * it is printed; nothing is drawn and nothing is changed. On success *json
 * is set to a JSON array (UTF-8) in report order, released with Flox03Free,
 * one object per cut field:
 * {"page": 1, "form": "TFlox03Page1Preview", "label": "Odos", "slot": 1,
 *  "field": "Odos", "caption": "Οδός", "tab": "Επιχείρηση", "text": "...",
 *  "lines": 3, "linesShown": 1, "characters": 61, "charactersShown": 20}
 * page is the sheet's number in the whole report; caption is the text beside
 * the field on its entry page (the field's name when it has none), tab that
 * page's tab; lines and characters count the whole text, linesShown and
 * charactersShown what is printed. "[]" when everything fits. */
FLOX_API int FLOX_CALL Flox03CheckFit(const char *fileName, uint32_t studyType, char **json);

/* Every study type the library serves, as a JSON text (UTF-8) the caller
 * releases with Flox03Free: an array in type order, one object per type,
 * [{"type": 1, "name": "Γενική μελέτη, 3/81 Π.Δ.", "family": "general study",
 *   "slots": [1, 2, 3, 4, 5, 6],
 *   "tabs": ["Επιχείρηση", "Οικοδομική Σύσταση", ...], "legalSlot": 1, "legalField": "Suntaxh",
 *   "legalText": "την 3/81 Π.Δ."}, ...]
 * name is the type as a host shows it; slots are the study file's records
 * that the type's family edits and prints (as Flox03ExportJson numbers
 * them); tabs are the captions of the tabs (pages) its data-entry dialog
 * shows, in order, one per slot; legalText is what a new study of the type
 * holds in field legalField of slot legalSlot (null: nothing). NULL only
 * when there is no memory for the text. */
FLOX_API char *FLOX_CALL Flox03StudyTypes(void);

/* The message of the last failed call on this thread, Flox03A included
 * (UTF-8), or "" after a call that succeeded. */
FLOX_API const char *FLOX_CALL Flox03LastError(void);

/* The status of the last call on this thread, Flox03A included: FLOX_OK or
 * one of the FLOX_ERR_ values above. */
FLOX_API int FLOX_CALL Flox03LastStatus(void);

/* Releases a text returned by Flox03ExportJson, Flox03CheckFit or
 * Flox03StudyTypes. */
FLOX_API void FLOX_CALL Flox03Free(void *text);

#ifdef __cplusplus
}
#endif

#endif /* FLOX03_H */
