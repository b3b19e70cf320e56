// Text tools of the print list: a short formatter into a static buffer and the stripper that
// removes the in-line escapes from a text and converts it to the Windows character set.
#pragma once

// The formatted text in a static buffer of 100 bytes that the next call overwrites; the empty text
// when it would need 100 characters or more.
const char* OLI_Format_Short(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Changes the text in place. With strip: every escape goes (0xCE and the byte after it; 0xCE "{"
// up to and with the next "}", or up to a line feed, which stays; an escape open at the end drops
// the rest, a lone escape byte at the very end only itself). With convert: every byte is then
// mapped from the report's code page to the Windows one (bytes below 128 stay but for 0x0F, 0x14 and
// 0x15; line and block graphics become "_", "¦", "+" and "-"; 0xFF a blank). A null text does
// nothing.
void OLI_Strip_Escapes(char* text, int strip, int convert);

// The Windows byte of a report byte, as the conversion maps it.
unsigned char Report_To_Windows_Byte(unsigned char c);
