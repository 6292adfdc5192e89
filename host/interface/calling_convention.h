#pragma once

// The host calls plugins with the 32-bit Windows conventions; elsewhere there
// is only one convention, so the keywords mean nothing.
#if !defined(_WIN32)
#ifndef __stdcall
#define __stdcall
#endif
#ifndef __cdecl
#define __cdecl
#endif
#endif
