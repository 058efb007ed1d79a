Short 500
