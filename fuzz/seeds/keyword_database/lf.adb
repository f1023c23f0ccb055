IDH_one	One	**twznew**
IDH_two	Two	x;y
