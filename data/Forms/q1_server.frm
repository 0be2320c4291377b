VERSION 5.00
Begin VB.Form frmServer
   Caption         =   "Quake - Server"
   ClientHeight    =   4755
   ClientWidth     =   4935
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
   EndProperty
   ScaleHeight     =   4755
   ScaleWidth      =   4935
   Begin VB.Label lblTitle1
      Caption         =   "Your server"
      Height          =   255
      Left            =   120
      Top             =   120
      Width           =   4695
      BeginProperty Font
         Name            =   "Tahoma"
         Size            =   9.75
         Weight          =   700
      EndProperty
      ForeColor       =   &H00800000&
   End
   Begin VB.Label lblRow2
      Caption         =   "Server name:"
      Height          =   255
      Left            =   120
      Top             =   585
      Width           =   1695
   End
   Begin VB.TextBox txtRow3
      Height          =   285
      Left            =   1920
      Top             =   555
      Width           =   2895
      Tag             =   "\cvar\hostname"
      ToolTipText     =   "Name of the server"
   End
   Begin VB.Label lblRow4
      Caption         =   "Player slots:"
      Height          =   255
      Left            =   120
      Top             =   990
      Width           =   1695
   End
   Begin MSComctlLib.Slider sldRow5
      Height          =   375
      Left            =   1860
      Top             =   900
      Width           =   2235
      Min             =   1
      Max             =   16
      SmallChange     =   1
      LargeChange     =   1
      TickFrequency   =   1
      Tag             =   "\cvar\maxplayers"
      ToolTipText     =   "Players the server takes"
   End
   Begin VB.TextBox txtRow6
      Alignment       =   1  'Right Justify
      Height          =   285
      Left            =   4200
      Top             =   960
      Width           =   615
      Tag             =   "\cvar\maxplayers"
   End
   Begin VB.Label lblRow7
      Caption         =   "Deathmatch:"
      Height          =   255
      Left            =   120
      Top             =   1395
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow8
      Height          =   315
      Left            =   1920
      Top             =   1350
      Width           =   2895
      Tag             =   "\cvar\deathmatch"
      ToolTipText     =   "Deathmatch rules"
   End
   Begin VB.Label lblRow9
      Caption         =   "Teamplay:"
      Height          =   255
      Left            =   120
      Top             =   1800
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow10
      Height          =   315
      Left            =   1920
      Top             =   1755
      Width           =   2895
      Tag             =   "\cvar\teamplay"
      ToolTipText     =   "Teams and team damage"
   End
   Begin VB.Label lblRow11
      Caption         =   "Skill:"
      Height          =   255
      Left            =   120
      Top             =   2205
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow12
      Height          =   315
      Left            =   1920
      Top             =   2160
      Width           =   2895
      Tag             =   "\cvar\skill"
      ToolTipText     =   "How hard the monsters fight"
   End
   Begin VB.Label lblRow13
      Caption         =   "Frag limit:"
      Height          =   255
      Left            =   120
      Top             =   2610
      Width           =   1695
   End
   Begin VB.TextBox txtRow14
      Height          =   285
      Left            =   1920
      Top             =   2580
      Width           =   1095
      Tag             =   "\cvar\fraglimit"
      ToolTipText     =   "Frags that end a level, 0 for none"
   End
   Begin VB.Label lblRow15
      Caption         =   "Time limit (min):"
      Height          =   255
      Left            =   120
      Top             =   3015
      Width           =   1695
   End
   Begin VB.TextBox txtRow16
      Height          =   285
      Left            =   1920
      Top             =   2985
      Width           =   1095
      Tag             =   "\cvar\timelimit"
      ToolTipText     =   "Minutes that end a level, 0 for none"
   End
   Begin VB.Label lblRow17
      Caption         =   "Level exits:"
      Height          =   255
      Left            =   120
      Top             =   3420
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow18
      Height          =   315
      Left            =   1920
      Top             =   3375
      Width           =   2895
      Tag             =   "\cvar\noexit"
      ToolTipText     =   "What the exits of a deathmatch level do"
   End
   Begin VB.CheckBox chkRow19
      Caption         =   "Cooperative"
      Height          =   255
      Left            =   120
      Top             =   3780
      Width           =   2295
      Tag             =   "\cvar\coop"
      ToolTipText     =   "Play the episodes together"
   End
   Begin VB.CheckBox chkRow20
      Caption         =   "Pausing allowed"
      Height          =   255
      Left            =   2520
      Top             =   3780
      Width           =   2295
      Tag             =   "\cvar\pausable"
      ToolTipText     =   "Players may pause the game"
   End
   Begin VB.CommandButton cmdRow21
      Caption         =   "Console"
      Height          =   375
      Left            =   2505
      Top             =   4260
      Width           =   1095
      Tag             =   "\action\openconsole"
   End
   Begin VB.CommandButton cmdRow22
      Caption         =   "Close"
      Height          =   375
      Left            =   3720
      Top             =   4260
      Width           =   1095
      Tag             =   "\action\hideform"
   End
End
Attribute VB_Name = "frmServer"
