// The report painter lives here; the library is linked by the programs already.
