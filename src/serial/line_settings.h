#pragma once
// The line settings as list indexes, the form in which the advanced settings
// record holds them: 9600 baud, 8 data bits, no parity, one stop bit at start.

struct OVLineSettings {
  int m_nDataBits = 1;  // 0 "7 bits", 1 "8 bits"
  int m_nParity = 0;    // 0 none, 1 odd, 2 even, 3 mark, 4 space
  int m_nStopBits = 0;  // 0 one, 1 one and a half, 2 two
  int m_nBaudRate = 5;  // 300 x 2^index: 0 "300" ... 7 "38400"
};
