0:30:57.22 0:30:59.46 vm {opening credit} A Film By Akira Kurosawa
