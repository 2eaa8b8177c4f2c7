# The direct run loads the program's server library by path.
add_dependencies(${name} HEMR07S)
