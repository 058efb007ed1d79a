Wire 3 Via 4 OutOfGuideWire 5 OutOfGuideVia 6 OffTrackWire 7 OffTrackVia 8 WrongWayWire 9 Short 10 Area 11 Spacing 12 Open 13
