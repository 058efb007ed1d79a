Via 2
Wire
