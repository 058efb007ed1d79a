Area 2
Spacing	7 Area
9
Open abc
OffTrackVia 2.5e1x
Bogus 4 Via -0.25
Wire 0x1A Short nan OffTrackWire inf
OutOfGuideWire .5e WrongWayWire -.25E+1
