# my weights
Wire 3
Via 4
